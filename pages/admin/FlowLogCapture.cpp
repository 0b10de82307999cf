// The flow log capture: at every tick of tmrFlowLog one read of the
// detector's flow-log queues (command 26, with the fan speeds to run at),
// the valid records listed per channel, the graph channel's measurements
// added to the graph, and, when asked for, a step up of both fan speeds
// every so many ticks until a fan passes 10.
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <array>
#include <utility>

#include "ConsoleMemo.h"
#include "Convert.h"
#include "Errors.h"
#include "FlowLogRecord.h"
#include "FrmTestTKVU.h"
#include "PaintBox.h"
#include "RadioGroup.h"
#include "Tag.h"

namespace {

constexpr int kMaxFanSpeed = 10;

void StopCapture(TFrmTestTKV& form) {
  form.tmrFlowLog->stop();
  form.cboFlowLog->setChecked(false);
}

// A capture setting that is no number ends the capture with the conversion error.
int CaptureSetting(TFrmTestTKV& form, const QLineEdit* box) {
  try {
    return StrToInt(box->text());
  } catch (const ConvertError&) {
    StopCapture(form);
    throw;
  }
}

// Lists the valid records of both channels and adds the graph channel's
// measurements to the graph: every slot holding one, valid or not.
void TakeRecords(TFrmTestTKV& form, const uint8_t* queues) {
  ConsoleMemo* const lists[2] = {form.memFlowLog1, form.memFlowLog2};
  for (int channel = 0; channel < 2; ++channel) {
    const int valid = flowlog::ValidCount(queues, channel);
    QStringList lines;
    for (int slot = 0; slot < flowlog::kSlots; ++slot) {
      const flowlog::Record record = flowlog::SlotRecord(queues, channel, slot);
      if (channel == form.rgFlowLog->ItemIndex() && flowlog::IsGraphSample(record))
        form.FlowGraph.AddSample(record);
      if (slot < valid) lines << flowlog::RecordLine(record);
    }
    if (!lines.isEmpty()) lists[channel]->AddLines(lines.join(QStringLiteral("\r\n")));
  }
}

// The step counter (the Tag of edtFlowLogIncSpeed) is printed and counted; at
// the count each running fan goes one faster, and a fan past 10 stays at 10
// and ends the capture.
void StepFanSpeeds(TFrmTestTKV& form, int ticksPerStep, int fan1, int fan2) {
  const int ticks = Tag(form.edtFlowLogIncSpeed);
  form.LogLine(QString::number(ticks));
  SetTag(form.edtFlowLogIncSpeed, ticks + 1);
  // At or past the count: a count lowered during the capture still steps.
  if (ticks + 1 < ticksPerStep) return;
  const std::pair<QLineEdit*, int> fans[] = {{form.edtFlowLogFan1, fan1}, {form.edtFlowLogFan2, fan2}};
  for (const auto& [box, speed] : fans) {
    if (speed <= 0) continue;
    int next = speed + 1;
    if (next > kMaxFanSpeed) {
      next = kMaxFanSpeed;
      form.cboFlowLog->setChecked(false);  // which stops the capture
    }
    box->setText(QString::number(next));
  }
  SetTag(form.edtFlowLogIncSpeed, 0);
}

}  // namespace

void TFrmTestTKV::cboFlowLogClick(QObject*) {
  SetTag(edtFlowLogIncSpeed, 0);
  if (!cboFlowLog->isChecked()) {
    tmrFlowLog->stop();
    return;
  }
  // A timer of 0 ms would spin; one below 0 does not exist.
  const int rate = CaptureSetting(*this, edtFlowLogRate);
  if (rate <= 0) {
    StopCapture(*this);
    const QString text = QStringLiteral("'%1' is not a valid interval").arg(edtFlowLogRate->text());
    throw ConvertError(text.toStdString());
  }
  tmrFlowLog->start(pacing().Interval(rate));
}

void TFrmTestTKV::tmrFlowLogTimer(QObject*) {
  if (!RequireConnection()) {
    StopCapture(*this);
    return;
  }
  // Every setting is read before the exchange, so a bad one sends nothing.
  const int fan1 = CaptureSetting(*this, edtFlowLogFan1);
  const int fan2 = CaptureSetting(*this, edtFlowLogFan2);
  const int ticksPerStep = CaptureSetting(*this, edtFlowLogIncSpeed);

  frame::Params params{};
  params[0] = static_cast<uint8_t>(fan1);
  params[1] = static_cast<uint8_t>(fan2);
  std::array<uint8_t, frame::kMaxAnswer> answer{};
  if (!Device->SendCommand(flowlog::kReadFlowLog, 0, flowlog::kAnswerSize, params, nullptr,
                           answer.data())) {
    StopCapture(*this);
    memFlowLog1->AddLines(QStringLiteral("ERROR"));
    memFlowLog2->AddLines(QStringLiteral("ERROR"));
    return;
  }

  TakeRecords(*this, answer.data() + 1);
  if (ticksPerStep > 0) StepFanSpeeds(*this, ticksPerStep, fan1, fan2);
  pb->update();
  pbFlow2->update();
}
