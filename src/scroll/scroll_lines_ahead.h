// The prompter's lines painted ahead of the ticks that uncover them.
#pragma once

// While the text scrolls, the lines about to come into view are painted in idle time, so that the tick
// that uncovers them only copies their pixels.
void PaintScrollLinesAhead();
