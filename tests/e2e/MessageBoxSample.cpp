// Shows the message box that the program shows for a text (same class,
// title, button and style), for the end-to-end scripts to compare a box of
// the program with: a box of the same text and kind looks the same.
// usage: e2e_message_box [--error] text
#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool error = argc >= 3 && QString::fromUtf8(argv[1]) == QStringLiteral("--error");
    if (argc < (error ? 3 : 2))
        return 2;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, QStringLiteral("Sudoku"),
                    QString::fromUtf8(argv[error ? 2 : 1]), QMessageBox::Ok);
    box.exec();
    return 0;
}
