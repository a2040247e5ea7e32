#include "button_art.hpp"

// Seen from the side: the peach hand (from the right) grips the orange hand (from the
// left), its four fingers wrapped over the orange palm; the orange thumb rests on top
// and the orange fingertips curl up under the peach palm.
PixelMap helpButtonArt()
{
    return {
        .palette = {
            {'K', 110, 48, 12},   // outline
            {'H', 255, 184, 96},  // orange, lit
            {'O', 244, 140, 40},  // orange
            {'o', 206, 100, 24},  // orange, shaded
            {'W', 255, 234, 214}, // peach, lit
            {'P', 255, 208, 168}, // peach
            {'p', 232, 168, 128}, // peach, shaded
        },
        .rows = {
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
            "...................KKKKKK.......",
            "...........KKKKKKKKWWWWWWKKKKKKK",
            "..........KHHHHHHHOKWWWWWWWWWWWW",
            ".........KHOOOOOOOKPPPPPPPPPPPPP",
            "........KHOKKKKKKKPPPPPPPPPPPPPP",
            "....KKKKHHOKWWWWWWWPPPPPPPPPPPPP",
            "KKKKHHHHOOOKPPPPPPPPPPPPPPPPPPPP",
            "HHHHOOOOOOKKKKKKKKPPPPPPPPPPPPPP",
            "OOOOOOOOOKWWWWWWWWPPPPPPPPPPPPPP",
            "OOOOOOOOOKPPPPPPPPPPPPPPPPPPPPPP",
            "OOOOOOOOOKKKKKKKKKpPPPPPPppppppp",
            "OOOOOOOOOKWWWWWWWWPPPPPPPKKKKKKK",
            "OOOOOOOOOKPPPPPPPPppppppK.......",
            "oooooooooKKKKKKKKKKKKKKKK.......",
            "oooooooooKWWWWWWKOOKOOKOOK......",
            "KKooooooooKPPPPpKooKooKooK......",
            "..KKKKKKKKKKKKKKKKKKKKKKKK......",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
            "................................",
        }};
}
