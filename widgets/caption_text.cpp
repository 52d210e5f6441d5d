#include "widgets/caption_text.h"

std::string WithoutAccelerator(const std::string& caption) {
    std::string spoken;
    spoken.reserve(caption.size());
    for (size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&') {
            ++at;  // the marker goes; after a marker, the next character stands as it is
            if (at == caption.size()) break;
        }
        spoken += caption[at];
    }
    return spoken;
}
