#pragma once

// The about dialog's own texts that no language file carries.

// The teaching group named under "und der" when the language file is not
// Deutsch.lan; the description holds the German lines.
constexpr char kTeachingGroupEnglishLine1[] = "Orthoptics teaching group";
constexpr char kTeachingGroupEnglishLine2[] = "of the Squinx project";

// The project's home page, relative to the working folder. Squinx has no web
// host of its own, so its home page is the title page of the English help
// book shipped with the program; replace it by a host name once there is one.
constexpr char kProjectHomePage[] = "help/en/index.html";
