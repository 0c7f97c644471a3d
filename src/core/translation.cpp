#include "translation.h"

#include "platform.h"

namespace quib {

std::string Arg(std::string text, std::string_view value) {
    char lowest = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9' && (!lowest || text[i + 1] < lowest))
            lowest = text[i + 1];
    if (!lowest) return text;
    const char marker[] = {'%', lowest, '\0'};
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size()))
        text.replace(at, 2, value);
    return text;
}

std::string WithCount(std::string text, int n) {
    if (n < 0) return text;
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

std::string Platform::Translated(const char*, const char* text, const char*, int n) {
    return WithCount(text, n);
}

}  // namespace quib
