#include "SimulatedDetector.h"

#include <deque>
#include <map>

#include "EepromKeeper.h"
#include "FaultList.h"
#include "PortLinks.h"
#include "PtyServer.h"
#include "serial/PortDirectory.h"

namespace sim {

struct SimulatedDetector::Impl {
  explicit Impl(const DetectorOptions& options) : model(options), keeper(options.eepromFile) {}

  // The answer goes back once a changed EEPROM is in its file.
  Reply Handle(const Request& request) {
    std::vector<uint8_t> bytes(request.bytes, request.bytes + request.length);
    {
      std::lock_guard<std::mutex> lock(recordMutex);
      lastByCode[request.code()] = bytes;
      if (log.size() == kRequestLogSize) log.pop_front();
      log.push_back(bytes);
      last = std::move(bytes);
      ++requests;
    }
    std::optional<Fault> fault = faults.Take(request.code());
    std::lock_guard<std::mutex> lock(modelMutex);
    Reply reply = ShapeReply(request, model, fault, random);
    keeper.SaveChanges(model);
    return reply;
  }

  std::mutex modelMutex;
  DeviceModel model;
  EepromKeeper keeper;
  std::minstd_rand random{20231};  // used on the serving thread only
  FaultList faults;

  mutable std::mutex recordMutex;
  std::map<int, std::vector<uint8_t>> lastByCode;
  std::vector<uint8_t> last;
  std::deque<std::vector<uint8_t>> log;
  uint64_t requests = 0;

  mutable std::mutex lineMutex;  // the server and the links
  PtyServer server;
  PortLinks links;
};

SimulatedDetector::SimulatedDetector(DetectorOptions options)
    : impl_(std::make_unique<Impl>(options)) {}

SimulatedDetector::~SimulatedDetector() {
  Stop();
  std::lock_guard<std::mutex> lock(impl_->lineMutex);
  impl_->links.RemoveAll();
}

bool SimulatedDetector::Start(std::string* error) {
  std::lock_guard<std::mutex> lock(impl_->lineMutex);
  Impl* impl = impl_.get();
  {
    std::lock_guard<std::mutex> model(impl->modelMutex);
    if (!impl->keeper.Open(impl->model, error)) return false;
  }
  ClearRequestLog();
  if (!impl->server.Start([impl](const Request& r) { return impl->Handle(r); }, error))
    return false;
  impl->links.Retarget(impl->server.slavePath());
  return true;
}

void SimulatedDetector::Stop() {
  std::lock_guard<std::mutex> lock(impl_->lineMutex);
  impl_->server.Stop();
  std::lock_guard<std::mutex> model(impl_->modelMutex);
  impl_->keeper.SaveChanges(impl_->model);
}

std::string SimulatedDetector::SlavePath() const {
  std::lock_guard<std::mutex> lock(impl_->lineMutex);
  return impl_->server.slavePath();
}

bool SimulatedDetector::RegisterCom(unsigned number, std::string* error) {
  std::string dir = serial::ComPortDirectory();
  if (!MakePrivateDirectories(dir, error)) return false;
  return AddLink(dir + "/COM" + std::to_string(number), error);
}

bool SimulatedDetector::AddLink(const std::string& path, std::string* error) {
  std::lock_guard<std::mutex> lock(impl_->lineMutex);
  if (impl_->server.slavePath().empty()) {
    if (error) *error = "the detector has not been started";
    return false;
  }
  return impl_->links.Add(path, impl_->server.slavePath(), error);
}

void SimulatedDetector::InjectFault(const Fault& fault) { impl_->faults.Add(fault); }

void SimulatedDetector::ClearFaults() { impl_->faults.Clear(); }

std::vector<uint8_t> SimulatedDetector::LastRequest(int command) const {
  std::lock_guard<std::mutex> lock(impl_->recordMutex);
  if (command < 0) return impl_->last;
  auto it = impl_->lastByCode.find(command);
  return it == impl_->lastByCode.end() ? std::vector<uint8_t>() : it->second;
}

uint64_t SimulatedDetector::RequestCount() const {
  std::lock_guard<std::mutex> lock(impl_->recordMutex);
  return impl_->requests;
}

std::vector<std::vector<uint8_t>> SimulatedDetector::RequestLog() const {
  std::lock_guard<std::mutex> lock(impl_->recordMutex);
  return {impl_->log.begin(), impl_->log.end()};
}

void SimulatedDetector::ClearRequestLog() {
  std::lock_guard<std::mutex> lock(impl_->recordMutex);
  impl_->log.clear();
}

std::mutex& SimulatedDetector::ModelMutex() { return impl_->modelMutex; }

DeviceModel& SimulatedDetector::Model() { return impl_->model; }

}  // namespace sim
