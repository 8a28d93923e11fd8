// The About window of the Help menu.
#include "cheques/main_window.h"
#include "shots.h"
#include "startup/about_window.h"

namespace {

const ShotRegistrar about("about", [](ShotContext& context) {
    AboutWindow window(&context.main);
    grabInto(window, context, QStringLiteral("about"));
});

} // namespace
