#pragma once

// Marks the framework's published interface; everything else stays hidden in the executable.
#define KIVQTLIB_EXPORT __attribute__((visibility("default")))

namespace Json {
class Value;
}
