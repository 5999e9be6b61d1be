#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

using Sha256Digest = std::array<uint8_t, 32>;

// SHA-256 of bytes fed in pieces, through OpenSSL.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Add(std::string_view bytes);
    // Adds the text with its length in front, so that consecutive texts cannot run together.
    void AddField(std::string_view text);
    Sha256Digest Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

Sha256Digest Sha256Of(std::string_view bytes);
std::string DigestHex(const Sha256Digest& digest);

}  // namespace quorvel
