// The archive list with a dozen archived cheques of both types, passed and voided.
#include "cheques/archive_window.h"
#include "cheques/main_window.h"
#include "shots.h"

namespace {

const ShotRegistrar archiveShot("archive", [](ShotContext& context) {
    ArchiveWindow window(context.db, &context.main);
    grabInto(window, context, QStringLiteral("archive"));
});

} // namespace
