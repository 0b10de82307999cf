#pragma once
// The transfer every ParameterButton runs, and the shapes most of them share.
#include <QList>
#include <cstdint>
#include <functional>

#include "ParameterFields.h"
#include "TKV.h"

class QCheckBox;
class QLineEdit;
class QObject;
class RadioGroup;
class TFrmTestTKV;

// One parameter between the page controls and the held image, in the direction
// of the button's Tag: 0 reads the image into the controls (accessor mode 0),
// 1 checks and stores the controls' values (mode 1). readControls runs only
// for a store and throws ConvertError on a text that gives no number; a refused
// value is printed and leaves the controls and the image as they were.
void TransferParameter(TFrmTestTKV& form, const QObject* button,
                       const std::function<void()>& readControls,
                       const std::function<int(int mode)>& access,
                       const std::function<void()>& fillControls);

// An accessor of one value.
using SingleAccessor = int (TKV::*)(int32_t&, int);
// Edit boxes holding one decimal integer each, in the order access takes them.
using ValuesAccess = std::function<int(int32_t* values, int mode)>;

void TransferIntegers(TFrmTestTKV& form, const QObject* button, const QList<QLineEdit*>& edits,
                      const ValuesAccess& access);
void TransferInteger(TFrmTestTKV& form, const QObject* button, QLineEdit* edit,
                     SingleAccessor accessor);
// Check boxes, one flag each, in the order access takes them.
void TransferFlags(TFrmTestTKV& form, const QObject* button, const QList<QCheckBox*>& boxes,
                   CheckCoding coding, const ValuesAccess& access);
void TransferFlag(TFrmTestTKV& form, const QObject* button, QCheckBox* box, CheckCoding coding,
                  SingleAccessor accessor);
// A radio group whose item 0 stands for firstValue, item 1 for the next value, ...
void TransferChoice(TFrmTestTKV& form, const QObject* button, RadioGroup* group, int firstValue,
                    SingleAccessor accessor);
