#include "engine/message_key.h"

namespace vrk {

std::string twoDigitCode(int value) {
    int v = value % 100;
    if (v < 0) v = -v;
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

std::string MessageKey::code() const {
    return twoDigitCode(category) + p + s + twoDigitCode(detail);
}

std::string MessageKey::display() const {
    return twoDigitCode(category) + "/" + p + "/" + s + "/" + twoDigitCode(detail);
}

}  // namespace vrk
