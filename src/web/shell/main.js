'use strict';
Zerdo.start();
