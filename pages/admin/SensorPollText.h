#pragma once
// The texts of a stand-alone sensor poll (command 25), from its 13 answer bytes.
#include <QString>
#include <QStringList>
#include <cstdint>

constexpr int kSensorAnswerSize = 13;

// The decimal width, "TIMEOUT" for 65500, "SINK TOO LONG" above it.
QString PulseWidthText(unsigned width);

// What a poll of sensor 1 or 2 shows before the status: "PW1: " .. "PW5: "
// with their widths, an empty line, and whether the sensor's remote output works.
QStringList SensorPollLines(const uint8_t* answer, int sensor);
