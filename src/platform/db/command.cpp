#include "platform/db/command.h"

#include "platform/db/connection.h"

int Command::execute()
{
    return connection_.execute(text_);
}
