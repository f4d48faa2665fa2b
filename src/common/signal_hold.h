#pragma once

#include <functional>
#include <span>

// Runs `work` with the signals `numbers` held (blocked on this thread); `beforeRelease` runs
// before they are let through again, so that handlers that `work` replaced (the embedded
// server's start puts the default ones back) can be set again before a held signal arrives.
void WithSignalsHeld(std::span<const int> numbers, const std::function<void()>& work,
                     const std::function<void()>& beforeRelease);
