#include "pixel_map.hpp"

#include <array>
#include <stdexcept>
#include <string>

IndexedPicture indexPixelMap(const PixelMap& map, PaletteColour key)
{
    if (map.rows.empty() || map.rows.front().empty())
        throw std::invalid_argument("pixel map is empty");
    if (map.palette.size() > 255)
        throw std::invalid_argument("pixel map has more than 255 inks");

    IndexedPicture picture;
    picture.width = static_cast<int>(map.rows.front().size());
    picture.height = static_cast<int>(map.rows.size());
    picture.transparentIndex = 0;
    picture.palette.push_back(key);

    std::array<int, 256> indexOfSymbol{};
    indexOfSymbol.fill(-1);
    indexOfSymbol[static_cast<unsigned char>(kClearPixel)] = picture.transparentIndex;
    for (const PixelMap::Ink& ink : map.palette) {
        auto& slot = indexOfSymbol[static_cast<unsigned char>(ink.symbol)];
        if (slot != -1)
            throw std::invalid_argument(std::string("pixel map symbol used twice: ") + ink.symbol);
        const PaletteColour colour{ink.red, ink.green, ink.blue};
        if (colour == key)
            throw std::invalid_argument(std::string("ink '") + ink.symbol + "' equals the transparent key colour");
        slot = static_cast<int>(picture.palette.size());
        picture.palette.push_back(colour);
    }

    picture.indices.reserve(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::string_view row : map.rows) {
        if (static_cast<int>(row.size()) != picture.width)
            throw std::invalid_argument("pixel map rows differ in width: \"" + std::string(row) + "\"");
        for (char symbol : row) {
            const int index = indexOfSymbol[static_cast<unsigned char>(symbol)];
            if (index < 0)
                throw std::invalid_argument(std::string("pixel map symbol without an ink: ") + symbol);
            picture.indices.push_back(static_cast<std::uint8_t>(index));
        }
    }
    return picture;
}
