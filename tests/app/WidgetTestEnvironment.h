#pragma once

#include <QString>

class QWidget;

namespace velkaris::test {

/// Saves a picture of `widget` as `<VELKARIS_SCREENSHOT_DIR>/<fileName>` when that
/// environment variable names a folder; does nothing otherwise.
void SaveScreenshot(QWidget& widget, const QString& fileName);

} // namespace velkaris::test
