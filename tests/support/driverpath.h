// The two ways the driver port reaches a simulated adapter in tests: SimFtDriver itself, or
// the libftdi1 driver through the modelled USB chip with that SimFtDriver on its far side.
// Tests that run both show that the real driver path gives the same results.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ftdichip.h"
#include "ftdidriver.h"
#include "simftdriver.h"

enum class DriverPath { Simulated, ThroughChip };

inline std::string driverPathName(const ::testing::TestParamInfo<DriverPath>& info) {
    return info.param == DriverPath::Simulated ? "Simulated" : "ThroughChip";
}

#define CALVIX_BOTH_DRIVER_PATHS(suite)                                                         \
    INSTANTIATE_TEST_SUITE_P(Drivers, suite,                                                    \
                             ::testing::Values(DriverPath::Simulated, DriverPath::ThroughChip), \
                             driverPathName)

class DriverOver {
public:
    DriverOver(SimFtDriver& far, DriverPath path, IUserInteraction* ui = nullptr) : m_far(far) {
        if (path == DriverPath::ThroughChip) {
            m_chip = std::make_unique<FtdiChipModel>(far);
            m_ftdi = std::make_unique<FtdiDriver>(ui);
        }
    }
    IFtDriver& driver() { return m_ftdi ? static_cast<IFtDriver&>(*m_ftdi) : m_far; }
    FtdiChipModel* chip() { return m_chip.get(); }

private:
    SimFtDriver& m_far;
    std::unique_ptr<FtdiChipModel> m_chip;  // outlives the driver, which gives back its devices
    std::unique_ptr<FtdiDriver> m_ftdi;
};
