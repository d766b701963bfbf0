#pragma once

// The plain libraries' texts in the user's language. A library names each
// text by a context (its folder) and its English source, with %1, %2, ... in
// place of numbers and names, so that a language may order them its own way:
//
//     filled(translated("program_file", "Segment %1: an incline of %2 % is not offered."), 5, "14")
//
// The window installs a translator (Qt's, through QCoreApplication::translate)
// before anything is read; without one, as in the libraries' own tests and
// the fuzzers, the English source stands. lupdate finds these texts through
// `-tr-function-alias translate+=translated,QT_TRANSLATE_NOOP+=TREVALO_NOOP`,
// so a text must be a literal where it is written, and translated() takes
// nothing else: a third argument would read to lupdate as a comment.

#include <atomic>
#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>

namespace trevalo {

// Given a context and a UTF-8 source text, the text in the chosen language.
using Translator = std::string (*)(const char* context, const char* source);

namespace detail {
inline std::atomic<Translator> installed_translator{nullptr};
}  // namespace detail

inline void install_translator(Translator translator) { detail::installed_translator.store(translator); }

inline std::string translated(const char* context, const char* source)
{
    const Translator translator = detail::installed_translator.load();
    return translator ? translator(context, source) : std::string(source);
}

// %1 to %9 each replaced by its argument in one pass, so that an argument
// holding "%2" (a file name may) stays as it is; "%%" is never special.
inline std::string fill_placeholders(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out.append(args.begin()[n]);
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

namespace detail {
inline std::string_view argument_text(std::string_view text) { return text; }
// Whole numbers only: a decimal is formatted by the library first, with the
// point as the treadmill's console shows it.
template <std::integral N>
    requires(!std::same_as<N, char> && !std::same_as<N, bool>)
std::string argument_text(N number)
{
    return std::to_string(number);
}
}  // namespace detail

// A translated text with its placeholders filled: strings as they are, whole
// numbers in digits.
template <typename... Args>
std::string filled(std::string_view pattern, const Args&... args)
{
    return fill_placeholders(pattern, {std::string_view(detail::argument_text(args))...});
}

}  // namespace trevalo

// Marks a text in a table for lupdate; it is translated where it is shown,
// with translated(context, text).
#define TREVALO_NOOP(context, source) source
