// Exit codes of fake_client, shared with the tests that read them.
#pragma once

namespace fakeclient {

// Ended on SIGTERM while the witness file existed (or none was named).
constexpr int kEndedWithWitness = 42;
// Ended on SIGTERM after the witness file had gone.
constexpr int kEndedWithoutWitness = 43;

}  // namespace fakeclient
