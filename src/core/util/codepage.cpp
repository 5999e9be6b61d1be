#include "core/util/codepage.h"

#include <errno.h>
#include <iconv.h>

#include "core/util/error.h"

namespace quorvel {

namespace {

// One converter per direction and thread; iconv descriptors carry state.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw Error(std::string("Кодировка недоступна: ") + from + " -> " + to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the input; on a byte sequence it cannot convert, `replace(rest)` appends what
    // stands for it and answers how many bytes it took.
    template <typename Replace>
    std::string Convert(std::string_view input, Replace replace) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(input.size() * 2 + 4);
        char buffer[1024];
        auto* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            const size_t step = replace(std::string_view(in, inLeft), out);
            in += step;
            inLeft -= step;
        }
        return out;
    }

private:
    iconv_t handle_;
};

size_t Utf8SequenceLength(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    size_t taken = 1;
    while (taken < length && taken < rest.size() &&
           (static_cast<unsigned char>(rest[taken]) & 0xC0) == 0x80) {
        ++taken;
    }
    return taken;
}

// The one byte of the code page without a character, and the control character that stands
// for it in UTF-8, as Windows reads it: so every byte of a file survives a reading and a writing.
constexpr char UndefinedByte = '\x98';
constexpr std::string_view UndefinedByteUtf8 = "\xC2\x98";

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) return std::string(bytes);
    thread_local Converter converter("UTF-8", "CP1251");
    return converter.Convert(bytes, [](std::string_view rest, std::string& out) {
        out += rest[0] == UndefinedByte ? UndefinedByteUtf8 : std::string_view("\xEF\xBF\xBD");
        return size_t{1};
    });
}

std::string Utf8ToCp1251(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    thread_local Converter converter("CP1251", "UTF-8");
    return converter.Convert(text, [](std::string_view rest, std::string& out) {
        if (rest.starts_with(UndefinedByteUtf8)) {
            out += UndefinedByte;
            return UndefinedByteUtf8.size();
        }
        out += '?';
        return Utf8SequenceLength(rest);
    });
}

}  // namespace quorvel
