// Short random names for temporary files.
//
// One process-wide generator, seeded once from "/dev/urandom" (or, when that
// cannot be read, from the time of day), runs RC4 as a pseudo-random source
// and writes six bytes per name as eight characters of
// "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_".
// It only makes names: it creates nothing and does not check the disk, so a
// caller that needs a new file creates it exclusively itself. Not suitable
// for secrets. Safe to use from any thread.
#pragma once

#include <pthread.h>
#include <stddef.h>

#include "ustring/ustring.h"

class TmpNameGen {
 public:
  // The single instance, made on first use and never destroyed.
  static TmpNameGen* getInstance();

  // Exactly eight characters of the alphabet above.
  ustring getTmpName();
  // prefix + "/" + getTmpName(); an empty prefix gives "/name", a prefix
  // ending in "/" a doubled "/".
  ustring getTmpPath(const ustring& prefix);

 private:
  // Test seam: builds separate generators from a given key or key source.
  friend class TmpNameGenTestPeer;

  TmpNameGen();
  TmpNameGen(const TmpNameGen&) = delete;
  TmpNameGen& operator=(const TmpNameGen&) = delete;
  explicit TmpNameGen(const char* key_source);
  explicit TmpNameGen(const unsigned char* key);  // 256 bytes

  // Fills len bytes of key from key_source; see the implementation for the
  // fallback when it cannot be read.
  void get_key(unsigned char* key, size_t len, const char* key_source = "/dev/urandom");
  void rc4_init(unsigned char* S, unsigned char* key);
  void rc4_randomize(unsigned char* S, unsigned char* buffer, int length);
  void lock();
  void unlock();

  pthread_mutex_t m_lock;
  unsigned char m_s_box[256];
  unsigned char m_key[256];
  unsigned char m_buffer[6];
};
