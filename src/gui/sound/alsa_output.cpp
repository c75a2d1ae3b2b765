// SPDX-License-Identifier: MIT
#include "gui/sound/alsa_output.hpp"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace rheo {

// The few calls of libasound the tone needs, looked up by name.
struct AlsaOutput::Functions {
    decltype(&snd_pcm_open) open = nullptr;
    decltype(&snd_pcm_set_params) setParams = nullptr;
    decltype(&snd_pcm_writei) writei = nullptr;
    decltype(&snd_pcm_wait) wait = nullptr;
    decltype(&snd_pcm_recover) recover = nullptr;
    decltype(&snd_pcm_state) state = nullptr;
    decltype(&snd_pcm_start) start = nullptr;
    decltype(&snd_pcm_delay) delay = nullptr;
    decltype(&snd_pcm_close) close = nullptr;
};

namespace {

// ALSA reports every failure on standard error ("cannot find card '0'" and the like); a
// calculator without a sound card is not an error.
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

template <typename Function> bool lookUp(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Closes the device on every way out of play().
class OpenPcm {
public:
    OpenPcm(decltype(&snd_pcm_close) close, snd_pcm_t* pcm) : close_(close), pcm_(pcm) {}
    ~OpenPcm() { close_(pcm_); }
    OpenPcm(const OpenPcm&) = delete;
    OpenPcm& operator=(const OpenPcm&) = delete;

private:
    decltype(&snd_pcm_close) close_;
    snd_pcm_t* pcm_;
};

} // namespace

AlsaOutput::AlsaOutput(std::string libraryName, std::string deviceName)
    : libraryName_(std::move(libraryName)), deviceName_(std::move(deviceName)) {}

AlsaOutput::~AlsaOutput() = default;

bool AlsaOutput::available() {
    if (loadTried_)
        return functions_ != nullptr;
    loadTried_ = true;
    // Never unloaded: the library's plugins may keep threads of their own.
    void* library = dlopen(libraryName_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    auto functions = std::make_unique<Functions>();
    decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
    const bool complete = lookUp(library, "snd_pcm_open", functions->open) &&
                          lookUp(library, "snd_pcm_set_params", functions->setParams) &&
                          lookUp(library, "snd_pcm_writei", functions->writei) &&
                          lookUp(library, "snd_pcm_wait", functions->wait) &&
                          lookUp(library, "snd_pcm_recover", functions->recover) &&
                          lookUp(library, "snd_pcm_state", functions->state) &&
                          lookUp(library, "snd_pcm_start", functions->start) &&
                          lookUp(library, "snd_pcm_delay", functions->delay) &&
                          lookUp(library, "snd_pcm_close", functions->close) &&
                          lookUp(library, "snd_lib_error_set_handler", setErrorHandler);
    if (!complete)
        return false;
    setErrorHandler(&ignoreAlsaMessage);
    functions_ = std::move(functions);
    return true;
}

void AlsaOutput::play(const std::vector<std::int16_t>& samples, int sampleRate,
                      std::stop_token stop) {
    if (!functions_ || samples.empty() || sampleRate <= 0)
        return;
    const Functions& alsa = *functions_;
    snd_pcm_t* pcm = nullptr;
    // Non-blocking, so that a device that stops taking samples cannot hold the worker.
    if (alsa.open(&pcm, deviceName_.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return;
    const OpenPcm closeOnReturn(alsa.close, pcm);
    constexpr unsigned kLatencyUs = 100000;
    if (alsa.setParams(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                       static_cast<unsigned>(sampleRate), 1, kLatencyUs) < 0)
        return;

    using namespace std::chrono;
    const auto length = milliseconds(static_cast<long long>(samples.size()) * 1000 / sampleRate);
    // However the device behaves, the worker is free again soon after the tone's length.
    const auto deadline = steady_clock::now() + length + seconds(2);
    std::size_t written = 0;
    while (written < samples.size()) {
        if (stop.stop_requested() || steady_clock::now() > deadline)
            return;
        const snd_pcm_sframes_t frames =
            alsa.writei(pcm, samples.data() + written, samples.size() - written);
        if (frames == -EAGAIN) {
            alsa.wait(pcm, 50);
        } else if (frames < 0) {
            if (alsa.recover(pcm, static_cast<int>(frames), 1) < 0)
                return;
        } else {
            written += static_cast<std::size_t>(frames);
        }
    }
    // A tone shorter than the device's buffer has not started by itself.
    if (alsa.state(pcm) == SND_PCM_STATE_PREPARED)
        alsa.start(pcm);
    // Closing drops what the device still holds: wait until it has been played.
    while (!stop.stop_requested() && steady_clock::now() < deadline) {
        snd_pcm_sframes_t pending = 0;
        if (alsa.state(pcm) != SND_PCM_STATE_RUNNING || alsa.delay(pcm, &pending) < 0 ||
            pending <= 0)
            return;
        const auto left = milliseconds(static_cast<long long>(pending) * 1000 / sampleRate);
        std::this_thread::sleep_for(std::clamp(left, milliseconds(1), milliseconds(20)));
    }
}

} // namespace rheo
