#include "NameEntryUnit.h"

#include "MessageBox.h"
#include "NetHost.h"
#include "WindowFont.h"
#include "WireText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmEnterName* frmEnterName = nullptr;

namespace {

// The form's own client size; the edit and the buttons keep their distance
// to its right edge when the width changes.
constexpr int kDesignWidth = 312;
constexpr int kDesignHeight = 213;
// Width of the prompt while it runs.
constexpr int kPromptWidth = 260;

} // namespace

QString TrimName(const QString& Text)
{
    qsizetype first = 0;
    qsizetype last = Text.size();
    while (first < last && Text[first].unicode() <= 32)
        ++first;
    while (last > first && Text[last - 1].unicode() <= 32)
        --last;
    return Text.mid(first, last - first);
}

TfrmEnterName::TfrmEnterName(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEnterName"));
    setWindowTitle(QStringLiteral("Enter name"));
    setFont(WindowFont());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    lblName = new QLabel(QStringLiteral("Enter your name"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->move(16, 24);
    lblName->adjustSize();

    txtName = new QLineEdit(QStringLiteral("txtName"), this);
    txtName->setObjectName(QStringLiteral("txtName"));

    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmEnterName::btnOkClick);

    txtName->setGeometry(16, 48, 276, txtName->sizeHint().height());
    btnCancel->setGeometry(219, 88, 75, 25);
    btnOk->setGeometry(127, 88, 75, 25);
    // Fixed, as the other windows: the size hint alone does not stop a
    // window manager from resizing it.
    setFixedSize(kDesignWidth, kDesignHeight);
}

void TfrmEnterName::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // Anchored to the right edge: the distances of the design size stay.
    const int w = width();
    txtName->resize(276 + w - kDesignWidth, txtName->height());
    btnCancel->move(219 + w - kDesignWidth, 88);
    btnOk->move(127 + w - kDesignWidth, 88);
}

bool TfrmEnterName::Execute(QString& Name)
{
    txtName->setText(TrimName(Name));
    setFixedSize(kPromptWidth, height());
    if (m_host)
        move(CentreOn(m_host, size()));
    setWindowTitle(QStringLiteral("Enter Name"));
    lblName->setText(QStringLiteral("Enter your name"));
    txtName->setFocus();
    const bool ok = exec() == QDialog::Accepted;
    if (ok)
        Name = TrimName(txtName->text());
    return ok;
}

void TfrmEnterName::btnOkClick()
{
    // The name goes out in joins, locate replies and rosters: one that the
    // other players would drop is refused here.
    switch (CheckName(TrimName(txtName->text()))) {
    case NameFault::None:
        accept();
        break;
    case NameFault::Empty:
        ShowMessage(QStringLiteral("You have not entered anything."), MessageKind::Error);
        break;
    case NameFault::TooLong:
        ShowMessage(QStringLiteral("Your name is too long: 255 characters at most."));
        break;
    case NameFault::ControlCharacter:
        ShowMessage(QStringLiteral("Your name may not hold control characters."));
        break;
    }
}
