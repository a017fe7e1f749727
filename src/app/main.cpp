#include "app/DisplayCheck.h"
#include "app/Shell.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <optional>

int main(int argc, char *argv[])
{
    DisplayCheck::requireDisplay();
    std::optional<DisplayCheck> check(std::in_place);
    QApplication app(argc, argv);
    check.reset();

    installFontSubstitutes();
    Shell shell;
    shell.start();
    return app.exec();
}
