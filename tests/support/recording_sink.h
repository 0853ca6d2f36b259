#pragma once

#include <string>
#include <vector>

#include "density/messages.h"
#include "text/catalogue.h"

// Records what the computations report, as keys and as the texts the user
// would read in the catalogue's current language.
class RecordingSink : public density::MessageSink {
public:
    void show(const density::Message& message) override
    {
        keys.push_back(message.key());
        texts.push_back(text::catalogue().render(message));
    }
    void clear()
    {
        keys.clear();
        texts.clear();
    }

    std::vector<density::MsgKey> keys;
    std::vector<std::string> texts;
};
