// CLanguageMenu: Setting > Language: the desktop's language or one of the
// program's, kept in the user's settings for the next start.
#pragma once

#include <QMenu>

struct AppContext;
class QActionGroup;

class CLanguageMenu : public QMenu {
    Q_OBJECT
  public:
    CLanguageMenu(AppContext& context, QWidget* parent);

  private:
    void Choose(const QString& code);

    AppContext& context_;
    QActionGroup* group_ = nullptr;
};
