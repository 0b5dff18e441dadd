// The window tests share one QApplication, on the offscreen platform unless
// another is asked for. Its screen is 1920 by 1080 pixels at a scale of 1.5
// (1280 by 720 logical pixels): the form does not fit it whole.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const std::filesystem::path screen =
        std::filesystem::temp_directory_path() /
        ("quadrel-gui-test-screen-" + std::to_string(getpid()) + ".json");
    if (platform.isEmpty() || platform == "offscreen") {
        std::ofstream(screen) << R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280,)"
                              << R"( "height": 720, "logicalDpi": 96, "dpr": 1}]})";
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screen.c_str());
    }
    int status = 0;
    {
        QApplication application(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quadrel Routine"));
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove(screen, ignored);
    return status;
}
