#pragma once
// The program's help: a window that shows one topic of the help set at a time.

#include <QWidget>

class QTextBrowser;

namespace pemrix::app {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    // A window of its own, kept above `owner` and closed with it.
    explicit HelpWindow(QWidget* owner);

    // Whether the help set has a page for this topic number.
    static bool hasTopic(int topic);
    // Shows the topic; an unknown number shows the contents (topic 1).
    void showTopic(int topic);
    int topic() const { return topic_; }
    QString topicText() const;

  private:
    QTextBrowser* browser_;
    int topic_ = 0;
};

} // namespace pemrix::app
