#pragma once
// Passwords are kept only as Argon2id hashes (libsodium). A hash takes PasswordMemory bytes and
// PasswordPasses passes, so at most one hash per core runs at once: a burst of submissions
// queues here instead of taking the machine's memory.

#include <cstddef>
#include <semaphore>
#include <string>

namespace brisvane::server {

inline constexpr unsigned long long PasswordPasses = 2;
inline constexpr std::size_t PasswordMemory = std::size_t{19} << 20; // 19 MiB

class Passwords {
public:
    // Throws std::runtime_error when libsodium cannot start.
    explicit Passwords(unsigned concurrent);
    std::string hash(const std::string& password);
    bool verify(const std::string& hash, const std::string& password);

private:
    std::counting_semaphore<1024> gate_;
};

} // namespace brisvane::server
