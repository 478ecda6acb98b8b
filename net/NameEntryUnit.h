#pragma once

#include <QDialog>
#include <QString>

class NetHost;
class QLabel;
class QLineEdit;
class QPushButton;

// Removes every character of code 32 or below from both ends of Text.
QString TrimName(const QString& Text);

// The modal prompt for the player's name, run before joining or hosting. It
// accepts only a name that is not blank.
class TfrmEnterName : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmEnterName(QWidget* parent = nullptr);

    // The main window the prompt centres on; may be null (no centring).
    void setHost(const NetHost* host) { m_host = host; }

    // True when the player confirmed a name, which is then in Name, trimmed;
    // on false Name is unchanged.
    bool Execute(QString& Name);
    // Ok: a blank name is refused with a message and the prompt stays open.
    void btnOkClick();

    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOk = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    const NetHost* m_host = nullptr;
};

extern TfrmEnterName* frmEnterName;
