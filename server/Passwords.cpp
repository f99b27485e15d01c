#include "server/Passwords.h"

#include <sodium.h>

#include <algorithm>
#include <stdexcept>

namespace brisvane::server {

namespace {

class Turn {
public:
    explicit Turn(std::counting_semaphore<1024>& gate) : gate_(gate) { gate_.acquire(); }
    ~Turn() { gate_.release(); }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

private:
    std::counting_semaphore<1024>& gate_;
};

} // namespace

Passwords::Passwords(unsigned concurrent)
    : gate_(static_cast<std::ptrdiff_t>(std::clamp(concurrent, 1U, 1024U))) {
    if (sodium_init() < 0) {
        throw std::runtime_error("libsodium cannot start");
    }
}

std::string Passwords::hash(const std::string& password) {
    char out[crypto_pwhash_STRBYTES];
    const Turn turn(gate_);
    if (crypto_pwhash_str_alg(out, password.data(), password.size(), PasswordPasses, PasswordMemory,
                              crypto_pwhash_ALG_ARGON2ID13) != 0) {
        throw std::runtime_error("out of memory for a password hash");
    }
    return out;
}

bool Passwords::verify(const std::string& hash, const std::string& password) {
    const Turn turn(gate_);
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

} // namespace brisvane::server
