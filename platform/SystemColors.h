// The desktop's system colours as Windows colour values (0x00BBGGRR).
#pragma once

// The colour of selected items (the Windows system colour COLOR_HIGHLIGHT):
// the application palette's highlight.
int SystemHighlightColor();
