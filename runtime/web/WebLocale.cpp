#include "runtime/web/WebLocale.h"

#include <emscripten.h>

#include <cstdlib>

// clang-format off
// The separator's character code for a POSIX locale name, 0 when the engine does not know it.
EM_JS(int, vorlinde_decimal_of, (const char* name), {
    let tag = UTF8ToString(name);
    if (tag === "C" || tag === "POSIX") return 46;
    tag = tag.replace(/[.@].*$/, "").replace(/_/g, "-");
    try {
        const canonical = Intl.getCanonicalLocales(tag);
        if (canonical.length !== 1 || Intl.NumberFormat.supportedLocalesOf(canonical).length !== 1) return 0;
        const part = new Intl.NumberFormat(canonical[0]).formatToParts(1.5).find(p => p.type === "decimal");
        const code = part && part.value.length === 1 ? part.value.charCodeAt(0) : 46;
        return code > 0 && code < 0x7f ? code : 46;
    } catch (e) {
        return 0;
    }
});

// The user's locale name: the environment's under node, the browser's language otherwise.
EM_JS(char*, vorlinde_user_locale, (), {
    let name = "C";
    if (typeof process !== "undefined" && process.env) {
        const env = process.env;
        name = env.LC_ALL || env.LC_NUMERIC || env.LANG || "C";
    } else if (typeof navigator !== "undefined" && navigator.language) {
        name = navigator.language;
    }
    return allocateUTF8(name);
});
// clang-format on

namespace rtweb {

std::optional<char> decimalSeparatorOf(const std::string& localeName) {
    const int code = vorlinde_decimal_of(localeName.c_str());
    if (code == 0) return std::nullopt;
    return static_cast<char>(code);
}

char userDecimalSeparator() {
    char* name = vorlinde_user_locale();
    const std::optional<char> sep = decimalSeparatorOf(name);
    std::free(name);
    return sep.value_or('.');
}

}  // namespace rtweb
