#include "button_art.hpp"

// A zig-zag bolt falling from the upper right to a point at the lower left,
// lit along its left edges.
PixelMap clearButtonArt()
{
    return {
        .palette = {
            {'K', 60, 36, 0},     // outline
            {'L', 255, 250, 170}, // lit edge
            {'Y', 255, 216, 0},   // yellow
            {'O', 232, 150, 0},   // shaded edge
        },
        .rows = {
            "................................",
            ".................KKKKKKKKKKKK...",
            "................KLLYYYYYYYYOK...",
            "...............KLYYYYYYYYYOK....",
            "...............KLYYYYYYYYOK.....",
            "..............KLYYYYYYYYOK......",
            ".............KLYYYYYYYYOK.......",
            ".............KLYYYYYYYOK........",
            "............KLYYYYYYYOK.........",
            "...........KLYYYYYYYOK..........",
            "..........KLYYYYYYYYK...........",
            "..........KLYYYYYYYYKKKKKKKK....",
            ".........KLYYYYYYYYYLLLLLLOK....",
            "........KLYYYYYYYYYYYYYYYOK.....",
            "........KLYYYYYYYYYYYYYYOK......",
            ".......KLYYYYYYYYYYYYYYOK.......",
            "......KLOOOOOYYYYYYYYYOK........",
            "......KKKKKKKLYYYYYYYOK.........",
            "............KLYYYYYYOK..........",
            "............KLYYYYYOK...........",
            "...........KLYYYYYOK............",
            "...........KLYYYYOK.............",
            "..........KLYYYYOK..............",
            "..........KLYYYOK...............",
            ".........KLYYYOK................",
            ".........KLYYOK.................",
            "........KLYYOK..................",
            "........KLYOK...................",
            ".......KLYOK....................",
            ".......KLOK.....................",
            "......KKKK......................",
            "................................",
        }};
}
