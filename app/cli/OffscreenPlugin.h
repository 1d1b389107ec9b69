// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>

#include <QTemporaryDir>
#include <memory>

namespace cli::render {

// Qt reads the metadata of every platform plugin it finds before it loads the one asked for.
// While this lives, a run that asks for the offscreen platform shows Qt a private folder that
// holds that plugin alone, and no other plugin folder. The terminating signals wait meanwhile,
// so the folder never outlives the run. Made just before the application, ended just after.
class OffscreenPluginOnly {
  public:
    OffscreenPluginOnly();
    ~OffscreenPluginOnly();
    OffscreenPluginOnly(const OffscreenPluginOnly&) = delete;
    OffscreenPluginOnly& operator=(const OffscreenPluginOnly&) = delete;

  private:
    sigset_t previousMask_{};
    bool held_ = false;
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace cli::render
