#include "tmp_name_gen.h"

#include <stdio.h>
#include <string.h>
#include <sys/time.h>

#include <memory>

#include "unique_handles.h"

namespace {

constexpr char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
static_assert(sizeof(kAlphabet) == 64 + 1, "the name alphabet has 64 characters");

// Three bytes as four 6-bit groups, most significant first (Base64 order).
void EncodeTriple(const unsigned char* in, char* out) {
  out[0] = kAlphabet[in[0] >> 2];
  out[1] = kAlphabet[((in[0] & 0x03) << 4) | (in[1] >> 4)];
  out[2] = kAlphabet[((in[1] & 0x0f) << 2) | (in[2] >> 6)];
  out[3] = kAlphabet[in[2] & 0x3f];
}

}  // namespace

TmpNameGen* TmpNameGen::getInstance() {
  // Guarded initialisation makes exactly one instance even when threads race;
  // nothing in it needs tearing down at exit.
  static TmpNameGen instance;
  return &instance;
}

TmpNameGen::TmpNameGen() : TmpNameGen("/dev/urandom") {}

TmpNameGen::TmpNameGen(const char* key_source) : m_s_box(), m_key(), m_buffer() {
  pthread_mutex_init(&m_lock, nullptr);
  get_key(m_key, sizeof(m_key), key_source);
  rc4_init(m_s_box, m_key);
}

TmpNameGen::TmpNameGen(const unsigned char* key) : m_s_box(), m_key(), m_buffer() {
  pthread_mutex_init(&m_lock, nullptr);
  memcpy(m_key, key, sizeof(m_key));
  rc4_init(m_s_box, m_key);
}

// Random bytes when the source delivers len of them; otherwise the time of
// day as "seconds-microseconds" text over whatever the key held.
void TmpNameGen::get_key(unsigned char* key, size_t len, const char* key_source) {
  {
    UniqueFile source(fopen(key_source, "rb"));
    if (source && fread(key, 1, len, source.get()) == len) return;
  }
  struct timeval now;
  gettimeofday(&now, nullptr);
  snprintf(reinterpret_cast<char*>(key), len, "%lu-%lu", static_cast<unsigned long>(now.tv_sec),
           static_cast<unsigned long>(now.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char* S, unsigned char* key) {
  for (int i = 0; i < 256; ++i) S[i] = static_cast<unsigned char>(i);
  unsigned j = 0;
  for (int i = 0; i < 256; ++i) {
    j = (j + S[i] + key[i]) & 0xff;
    unsigned char t = S[i];
    S[i] = S[j];
    S[j] = t;
  }
}

// The RC4 output loop; i and j start afresh on every call, only S carries on.
void TmpNameGen::rc4_randomize(unsigned char* S, unsigned char* buffer, int length) {
  unsigned j = 0;
  for (int k = 0; k < length; ++k) {
    unsigned i = static_cast<unsigned>(k + 1) & 0xff;
    j = (j + S[i]) & 0xff;
    unsigned char t = S[i];
    S[i] = S[j];
    S[j] = t;
    buffer[k] = S[(S[i] + S[j]) & 0xff];
  }
}

void TmpNameGen::lock() { pthread_mutex_lock(&m_lock); }

void TmpNameGen::unlock() { pthread_mutex_unlock(&m_lock); }

ustring TmpNameGen::getTmpName() {
  char name[9];
  lock();
  rc4_randomize(m_s_box, m_buffer, static_cast<int>(sizeof(m_buffer)));
  EncodeTriple(m_buffer, name);
  EncodeTriple(m_buffer + 3, name + 4);
  unlock();
  name[8] = '\0';
  return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring& prefix) {
  ustring name = getTmpName();
  return prefix + "/" + name;
}
