#pragma once

// The windows name Arial, Times New Roman and MS Sans Serif; where those are
// missing, metric-compatible free fonts take their place.
void installFontSubstitutes();
