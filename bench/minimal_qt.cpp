// The yardstick of the start-up benchmark: the smallest Qt program that
// opens one window showing Chinese text.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QString::fromUtf8(reinterpret_cast<const char*>(u8"售后服务管理系统")));
    label.resize(320, 120);
    label.show();
    return application.exec();
}
