// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/application.h"

namespace shell {

// Qt's own translation of the program's language, Traditional Chinese.
inline constexpr char kQtTranslations[] = "qtbase_zh_TW";

// The toolkit's application as this program runs: Qt's own strings in
// Traditional Chinese and the program's icon on every window.
class Application : public toolkit::Application {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
};

} // namespace shell
