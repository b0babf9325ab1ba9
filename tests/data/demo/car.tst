# Veridane demo: what each roadside case must conclude.
# Every case runs with the critical value 0.5, the lowest priority of the
# rules base: a rule whose priority drops below it is left out and the
# cases that need it fail.
Observation 1 critical 0.5: expect DIAGNOSIS = BATTERY_DRAINED; expect ACTION = RECHARGE_BATTERY; reject DIAGNOSIS = BATTERY_WORN_OUT
Observation 2 critical 0.5: expect DIAGNOSIS = OUT_OF_FUEL; expect ACTION = ADD_FUEL
Observation 3 critical 0.5: expect DIAGNOSIS = KEY_NOT_RECOGNISED; expect ACTION = USE_SPARE_KEY
Observation 4 critical 0.5: expect DIAGNOSIS = CORRODED_TERMINALS; expect ACTION = CLEAN_TERMINALS; reject BATTERY = FLAT
Observation 5 critical 0.5: expect DIAGNOSIS = FLOODED_ENGINE; expect ACTION = WAIT_THEN_RETRY; reject DIAGNOSIS in { IGNITION_FAULT, FUEL_PUMP_FAILURE }
Observation 6 critical 0.5: expect DIAGNOSIS = BATTERY_WORN_OUT; expect ACTION = REPLACE_BATTERY; reject DIAGNOSIS = CHARGING_FAULT
Observation 7 critical 0.5: expect DIAGNOSIS = FUEL_PUMP_FAILURE; expect ACTION = CALL_A_MECHANIC; reject DIAGNOSIS = FUEL_FILTER_BLOCKED
Observation 8 critical 0.5: expect DIAGNOSIS = STARTER_FAILURE; expect ACTION = CALL_A_MECHANIC
