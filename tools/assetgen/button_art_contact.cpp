#include "button_art.hpp"

// A chubby penguin facing the viewer: white face and belly, flippers held out, a red
// scarf whose end hangs over the belly, yellow feet.
PixelMap contactButtonArt()
{
    return {
        .palette = {
            {'K', 0, 0, 0},       // outline, eyes
            {'B', 28, 30, 40},    // black feathers
            {'G', 80, 86, 110},   // sheen on the black feathers
            {'W', 255, 255, 255}, // white feathers
            {'w', 196, 204, 222}, // white feathers, shaded
            {'R', 224, 32, 32},   // scarf
            {'r', 150, 12, 20},   // scarf, shaded
            {'Y', 255, 208, 0},   // beak and feet
            {'y', 226, 140, 0},   // beak and feet, shaded
        },
        .rows = {
            "................................",
            "................................",
            "............KKKKKKKK............",
            "..........KKGGBBBBBBKK..........",
            ".........KGGBBBBBBBBBBK.........",
            "........KGBBBBBBBBBBBBBK........",
            "........KGBWWWWBBWWWWBBK........",
            "........KGWWWWWWWWWWWWBK........",
            "........KGWWKKWWWWKKWWBK........",
            "........KBWWKKWWWWKKWWBK........",
            "........KBWWWWWYYWWWWwBK........",
            "........KBwWWWYYYYWWWwBK........",
            "........KBBwwWWyyWWwwBBK........",
            ".........KBBwwwwwwwwBBK.........",
            ".......KKRRRRRRRRRRRRRRKK.......",
            ".......KRRRRRRRRRRRRRRRRK.......",
            ".......KKrrrrrrrrrRRRRrKK.......",
            ".......KGBWWWWWWWKRRrKBBK.......",
            ".......KGBWWWWWWWKRRrKBBK.......",
            ".....KKGBWWWWWWWWKRRrKWBBKK.....",
            "....KBKGBWWWWWWWWKRRrKWBBKBK....",
            "...KGBKGBWWWWWWWWKrrrKWBBKBBK...",
            "..KGBBKGBWWWWWWWWKKKKKWBBKBBBK..",
            "..KBBKKGBWWWWWWWWWWWWWwBBKKBBK..",
            "..KKK.KBBwWWWWWWWWWWWwwBBK.KKK..",
            "......KBBwwWWWWWWWWWWwwBBK......",
            ".......KBwwWWWWWWWWWWwwBK.......",
            "........KBwwwWWWWWWwwwBK........",
            ".........KKKwwwwwwwwKKK.........",
            ".......KYYYYYKKKKKKYYYYYK.......",
            ".......KyyyyyK....KyyyyyK.......",
            "........KKKKK......KKKKK........",
        }};
}
