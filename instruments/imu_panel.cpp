#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "instruments/imu_line.h"
#include "instruments/vexmora_3d_imu.h"

// "IMU": quaternion lines turn the cuboid and fill the number labels.

void MainWindow::IMU_Init_Start()
{
    imuWidget = new vexmora_3d_imu(this);
    imuWidget->setObjectName(QStringLiteral("imuWidget"));
    ui->gridLayout_IMU->addWidget(imuWidget, 0, 1);
    imuBuffer.clear();
    portInit(PortTab::IMU);
}

void MainWindow::imuClearBuffer()
{
    imuBuffer.clear();
}

void MainWindow::imuResetLabelToggle()
{
    imuLabelToggle = 0;
}

// Only complete lines are matched: a number cut by the read ("Z:0" of
// "Z:0.05") would otherwise match and turn the cuboid wrongly.  What
// follows the last CR LF waits for the rest of its line.
void MainWindow::readimuCom(const QByteArray &data)
{
    const QList<QByteArray> lines = imuBuffer.push(data);
    if (lines.isEmpty())
        return;
    imu_processData(QString::fromUtf8(lines.join("\r\n")));
}

// The first match of the batch counts; later lines of the same batch are
// passed over, as the board repeats itself many times a second.
void MainWindow::imu_processData(const QString &text)
{
    const ImuLine::Reading r = ImuLine::parse(text);
    if (!r.matched || !r.usable)
        return;
    if (imuLabelToggle != 0) {
        imuLabelToggle = 0;
    } else {
        imuLabelToggle = 1;
        const auto two = [](double v) { return QString::number(v, 'f', 2); };
        ui->label_imu_x->setText(two(r.euler.x()));
        ui->label_imu_y->setText(two(r.euler.y()));
        ui->label_imu_z->setText(two(r.euler.z()));
        ui->label_imu_euler_w->setText(two(r.w));
        ui->label_imu_euler_x->setText(two(r.x));
        ui->label_imu_euler_y->setText(two(r.y));
        ui->label_imu_euler_z->setText(two(r.z));
    }
    if (imuWidget)
        imuWidget->Set_Value(r.w, r.x, r.y, r.z);
}
