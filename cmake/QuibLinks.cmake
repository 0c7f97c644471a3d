# The web addresses the game opens, set when it is configured. A packager
# sets these cache variables; the defaults are placeholders.
set(QUIB_HOME_PAGE "https://quib-game.example/" CACHE STRING
  "The game's home page: \"More free games\", the start screen's and the About box's address, the message line")
set(QUIB_HOME_PAGE_TEXT "quib-game.example" CACHE STRING
  "The home page as shown on the start screen and in the About box")
set(QUIB_DONATION_SITE "https://donate.quib-game.example" CACHE STRING
  "Scheme and host of the payment service that \"Donate\" opens (its path and keys are the game's own)")
set(QUIB_DONATION_ACCOUNT "donate@quib-game.example" CACHE STRING
  "The payment account (an e-mail address) that receives donations")

# The account goes into the address percent-encoded.
string(REPLACE "%" "%25" quib_account "${QUIB_DONATION_ACCOUNT}")
string(REPLACE "@" "%40" quib_account "${quib_account}")
string(REPLACE "+" "%2B" quib_account "${quib_account}")
string(REPLACE "&" "%26" quib_account "${quib_account}")
set(QUIB_LINK_DEFINITIONS
  QUIB_HOME_PAGE="${QUIB_HOME_PAGE}"
  QUIB_HOME_PAGE_TEXT="${QUIB_HOME_PAGE_TEXT}"
  QUIB_DONATION_SITE="${QUIB_DONATION_SITE}"
  QUIB_DONATION_ACCOUNT="${quib_account}")
