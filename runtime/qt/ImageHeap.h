#pragma once
// The process's memory set up for many large images: called first thing in the program,
// before any allocation that matters.

namespace rtqt {

void prepareHeapForImages();

}  // namespace rtqt
