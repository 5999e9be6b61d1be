#include "core/util/digest.h"

#include <openssl/evp.h>

#include "core/util/error.h"

namespace quorvel {

struct Sha256::State {
    EVP_MD_CTX* Context = nullptr;
};

Sha256::Sha256() : state_(std::make_unique<State>()) {
    state_->Context = EVP_MD_CTX_new();
    if (state_->Context == nullptr || EVP_DigestInit_ex(state_->Context, EVP_sha256(), nullptr) != 1)
        throw Error("SHA-256 is not available");
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(state_->Context);
}

void Sha256::Add(std::string_view bytes) {
    EVP_DigestUpdate(state_->Context, bytes.data(), bytes.size());
}

void Sha256::AddField(std::string_view text) {
    const std::string length = std::to_string(text.size()) + ":";
    Add(length);
    Add(text);
}

Sha256Digest Sha256::Finish() {
    Sha256Digest digest{};
    unsigned int size = 0;
    EVP_DigestFinal_ex(state_->Context, digest.data(), &size);
    return digest;
}

Sha256Digest Sha256Of(std::string_view bytes) {
    Sha256 sha;
    sha.Add(bytes);
    return sha.Finish();
}

std::string DigestHex(const Sha256Digest& digest) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : digest) {
        text += Hex[byte >> 4];
        text += Hex[byte & 15];
    }
    return text;
}

}  // namespace quorvel
