#pragma once

#include <QtCore/qglobal.h>

#if defined(TALVEX_LIBRARY)
#define TALVEX_EXPORT Q_DECL_EXPORT
#else
#define TALVEX_EXPORT Q_DECL_IMPORT
#endif
