// Shows the message box that the program shows for a text (same class,
// title, button and style), for the end-to-end scripts to compare a box of
// the program with: a box of the same text looks the same.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Sudoku"), QString::fromUtf8(argv[1]), QMessageBox::Ok);
    box.exec();
    return 0;
}
