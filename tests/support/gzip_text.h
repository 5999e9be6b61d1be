#pragma once

#include <zlib.h>

#include <string>

namespace quorvel::test {

// gzip (windowBits 31) or the zlib-wrapped "deflate" of HTTP (windowBits 15); a test that
// uses it links zlib.
inline std::string CompressText(const std::string& text, int windowBits) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(text.size())) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline std::string GzipText(const std::string& text) {
    return CompressText(text, 31);
}

}  // namespace quorvel::test
