// A fresh process for each shell test, set up by the headless host: a
// virtual 1920x1080 screen, a virtual clock, the recording device backend and
// the scripted keyboard.
#pragma once

#include "ArtFolder.h"
#include "Headless.h"

#include "app/App.h"

#include <compat/d3d9.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <vector>

class ShellTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The recorded calls with the given method name, in order.
    static std::vector<compat::d3d9::RecordedCall> CallsNamed(std::string_view method);
    // The recorded calls made on the device and the font, in order, without
    // the buffer and object bookkeeping (AddRef, Release, Lock, ...).
    static std::vector<compat::d3d9::RecordedCall> DrawingCalls();

private:
    host::ArtFolder m_art;
    std::filesystem::path m_savedDirectory;
};
