#pragma once

#include "info/about.h"
#include "info/contact.h"
#include "info/help.h"
#include "info/tutorial.h"
#include "temperature/temperature.h"

#include <QString>

#include <memory>

// One of the secondary windows, by its name.
inline std::unique_ptr<QDialog> makeSecondaryWindow(const QString& name,
                                                    toolkit::Services& services) {
    if (name == "Temperature")
        return std::make_unique<Temperature>(services);
    if (name == "Help")
        return std::make_unique<Help>(services);
    if (name == "tutorial")
        return std::make_unique<tutorial>(services);
    if (name == "frmAbout")
        return std::make_unique<frmAbout>(services);
    return std::make_unique<Contact>(services);
}
