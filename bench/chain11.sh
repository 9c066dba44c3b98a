#!/bin/bash
# The 11-entry chain written as a bash script: a date stamp and a start per entry.
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
echo "$(date "+%x %X") Run: /bin/true"
/bin/true
