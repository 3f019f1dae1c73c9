// The Qt library's own messages in kesta-report.
#pragma once

namespace kesta::cli {

// Qt writes its warnings to standard error (QSettings does for some damaged files); beside
// the tool's one "error:" line they only confuse. From now on they are written only when
// `shown` (--verbose), otherwise dropped.
void FilterQtMessages(bool shown);

} // namespace kesta::cli
