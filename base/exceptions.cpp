#include "base/exceptions.h"

std::string FormatText(const std::string& messageTemplate, const std::string& argument) {
    auto place = messageTemplate.find("%s");
    if (place == std::string::npos) return messageTemplate;
    return messageTemplate.substr(0, place) + argument + messageTemplate.substr(place + 2);
}
