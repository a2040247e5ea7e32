#include "button_art.hpp"

// A soldier walking to the right in mid-stride: round green helmet, green uniform with
// a brown belt, the near arm swinging forward and the far arm and leg in shadow behind.
PixelMap calculateButtonArt()
{
    return {
        .palette = {
            {'K', 24, 30, 12},    // outline, eye
            {'I', 128, 178, 74},  // helmet, lit
            {'H', 74, 126, 40},   // helmet
            {'h', 44, 84, 24},    // helmet, shaded
            {'V', 140, 182, 92},  // uniform, lit
            {'U', 96, 140, 56},   // uniform
            {'u', 62, 96, 36},    // uniform, shaded (far arm and leg)
            {'S', 255, 206, 160}, // skin
            {'s', 222, 162, 120}, // skin, shaded
            {'L', 120, 76, 32},   // belt
            {'B', 64, 42, 26},    // boots
        },
        .rows = {
            "................................",
            "................................",
            "............KKKKKKK.............",
            "..........KKIIIHHHHKK...........",
            ".........KIIHHHHHHHHHK..........",
            "........KIHHHHHHHHHHHHK.........",
            "........KIHHHHHHHHHHHhK.........",
            ".....KKKIHHHHHHHHHHHHHhKKK......",
            ".....KIHHHHHHHHHHHHHHHHhhK......",
            ".....KhhhhhhhhhhhhhhhhhhhK......",
            ".....KKKKhhhKSSSSSSSSSKKKK......",
            "........KhhhKSSSSSSKSSK.........",
            "........KhhhKSsSSSSKSSSK........",
            "........KKKKKSSSSSSSsSK.........",
            "...........KKsSSSSSsK...........",
            "..........KVVUUUUUUUUK..........",
            ".........KuKVUKUUUUKUK..........",
            "........KuuKVUUKUUUUKK..........",
            ".......KuuKKVUUUKVUUUUK.........",
            "......KuuK.KVUUUUKVUUUUK........",
            ".....KssK..KLLLLLLLKUUKSSK......",
            ".....KKK...KUUUUUUUKKSSK........",
            "...........KUUUUUUUUKKK.........",
            "..........KuuuKUUUUUK...........",
            "..........KuuuKKUUUUUK..........",
            ".........KuuuK..KUUUuK..........",
            "........KuuuK....KUUUuK.........",
            ".......KuuuK......KUUUuK........",
            "......KBBBK.......KBBBBK........",
            ".....KBBBBK.......KBBBBBBK......",
            ".....KKKKKK.......KKKKKKKK......",
            "................................",
        }};
}
