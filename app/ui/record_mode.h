#pragma once

// Program-wide: true when the entry window about to open adds a record, false when it
// edits the current one. Set by the opener just before the window is shown.
extern bool NewRecordMode;
