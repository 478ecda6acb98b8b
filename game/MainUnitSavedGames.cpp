// Saved games, scores, rules and printing. The drawn buttons and the message
// windows already call these; they do nothing until those features exist.
#include "MainUnit.h"

void TfrmMain::mnuLoadClick()
{
}

void TfrmMain::mnuSaveClick()
{
}

void TfrmMain::ChargeJeu()
{
}

void TfrmMain::AjouteScore()
{
}

void TfrmMain::ScoresClick()
{
}

void TfrmMain::BtRegleClick()
{
}

void TfrmMain::mnuPrintClick()
{
}
