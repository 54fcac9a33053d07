// One QApplication for the whole ui_tests executable: Qt allows only one per process, and
// every widget test needs it.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Without a display the widgets run offscreen, as under ctest.
        if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
            !std::getenv("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
        // As in the program: numbers in texts always use '.', whatever the locale.
        std::setlocale(LC_NUMERIC, "C");
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace
