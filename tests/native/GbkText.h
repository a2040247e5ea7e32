#pragma once
// Test helper: the GBK bytes of a UTF-8 literal, so expectations can be written readably.
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessellon::testing {

inline std::string Gbk(std::string_view utf8) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
    std::string input(utf8);
    std::string output(input.size() * 2 + 8, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1)) throw std::runtime_error("not representable in GBK");
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace tessellon::testing
