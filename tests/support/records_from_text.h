#pragma once

#include "core/model/game.h"
#include "core/model/text_forms.h"
#include "core/stakes/regular.h"

namespace quorvel::test {

// Values are written as a user types them ("1;2;3"), so a test reads like the screen it checks.
inline TDraw Draw(int number, const char* values) {
    TDraw draw;
    draw.Number = number;
    draw.Values = StrToComb(values).Values;
    return draw;
}

inline TRegular Regular(const char* comment, const char* start, int step, bool useLastDraw = false) {
    TRegular regular;
    regular.Comment.SetText(comment);
    regular.Start = regular.Current = StrToComb(start);
    regular.Step = step;
    regular.UseLastDraw = useLastDraw ? 1 : 0;
    return regular;
}

}  // namespace quorvel::test
