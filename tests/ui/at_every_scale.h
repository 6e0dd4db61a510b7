#pragma once
// Runs a Qt Test object at the window scales the program must look right at
// (100, 150 and 200 %). QT_SCALE_FACTOR is read once, when the application
// starts, so each scale runs in a child process of the test itself.
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QtTest>

#include <cstdio>

namespace kelvora::test {

template <class Cases>
int runAtEveryScale(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("KELVORA_SCALING_CHILD")) {
        QApplication app(argc, argv);
        Cases cases;
        return QTest::qExec(&cases, argc, argv);
    }
    QCoreApplication app(argc, argv);
    int failed = 0;
    for (const char* scale : {"1", "1.5", "2"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
        env.insert(QStringLiteral("KELVORA_SCALING_CHILD"), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        std::printf("QT_SCALE_FACTOR=%s\n", scale);
        std::fflush(stdout);
        child.start(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
        if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0) {
            std::printf("FAIL at QT_SCALE_FACTOR=%s\n", scale);
            ++failed;
        }
    }
    return failed;
}

// A label shows its whole text: a wrapping one is tall enough for its lines
// and wide enough for its longest word, any other as large as its text.
inline bool showsWholeText(const QLabel* l)
{
    if (l->wordWrap())
        return l->heightForWidth(l->width()) <= l->height()
               && l->minimumSizeHint().width() <= l->width();
    const QSize need = l->sizeHint();
    return need.width() <= l->width() && need.height() <= l->height();
}

} // namespace kelvora::test
